# topology: topologies/two_routers.ini
# Mistyped routing commands. ip route gives invalid input for an interface as next hop, a bad mask
# or address, and a default route (0.0.0.0 is not in the mask table); a distance that is no number
# or past 16 bits is silently stored as 1, while 130 is taken. network refuses bad addresses for RIP
# and OSPF; OSPF without an area prints "% Incomplete commmand.", a non-numeric area stores nothing,
# and a sixteenth network is not stored. router igrp without a number stays in global configuration,
# router eigrp without one is incomplete; ping refuses what is not an address.
line enable
line configure terminal
line interface s0
line ip address 10.1.1.1 255.255.255.0
line no shutdown
line exit
line ip route 172.16.0.0 255.255.0.0 serial0
line ip route 172.16.0.0 255.255.0.300 10.1.1.2
line ip route 172.16.0.0 255.0.255.0 10.1.1.2
line ip route 172.16.0.0 255.255.0.0 10.1.1.256
line ip route 172.16.0.0 255.255.0.0 10.1.1.2 abc
line ip route 172.17.0.0 255.255.0.0 10.1.1.2 70000
line ip route 172.18.0.0 255.255.0.0 10.1.1.2 130
line ip route 0.0.0.0 0.0.0.0 10.1.1.2
line router igrp
line router eigrp
line router rip
line network 10.1.1
line network abc
line network 10.1.1.300
line exit
line router ospf 1
line network 10.1.1.0 0.0.0.255
line network 10.1.1.300 0.0.0.255 area 0
line network 10.1.1.0 0.0.0.256 area 0
line network 10.1.1.0 0.0.0.255 area x
line network 10.1.1.0 0.0.0.255 area 0
line network 10.1.1.0 0.0.0.255 area 1
line network 10.2.0.0 0.0.0.255 area 0
line network 10.3.0.0 0.0.0.255 area 0
line network 10.4.0.0 0.0.0.255 area 0
line network 10.5.0.0 0.0.0.255 area 0
line network 10.6.0.0 0.0.0.255 area 0
line network 10.7.0.0 0.0.0.255 area 0
line network 10.8.0.0 0.0.0.255 area 0
line network 10.9.0.0 0.0.0.255 area 0
line network 10.10.0.0 0.0.0.255 area 0
line network 10.11.0.0 0.0.0.255 area 0
line network 10.12.0.0 0.0.0.255 area 0
line network 10.13.0.0 0.0.0.255 area 0
line network 10.14.0.0 0.0.0.5 area 0
line network 10.15.0.0 0.0.0.255 area 0
line network 10.16.0.0 0.0.0.255 area 0
line end
wait 5
line show ip route
line show ip protocols
key Space
line ping 1.2.3
line ping 256.1.1.1
line ping abc
