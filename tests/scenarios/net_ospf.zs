# topology: topologies/chain3_lan.ini
# OSPF (110) beats RIP (120). Costs add up: router 2's first update carries path cost 64, its second
# 128, so router 1 has metric 128 and router 3 192 for router 2's networks. Neighbours carry the
# router ID of the router that ran the last command. After no router ospf on router 1 its neighbour
# stays until a pass finds it silent for more than 15 s (60 s; last update accepted at 40 s), and
# the OSPF routes, last refreshed at 40 s, stay until the pass of 130 s, except the one that moved
# into a freed slot, gone at 140 s. RIP routes replace them, but none to 172.16.3.0: router 2 uses
# OSPF for it and so sends no RIP route.
include openings/chain3_lan_addressed.zs
line configure terminal
line router rip
line network 10.0.0.0
line network 172.16.0.0
line exit
line router ospf 1
line network 10.1.23.0 0.0.0.255 area 0
line network 172.16.3.0 0.0.0.255 area 0
line end
router 2
line configure terminal
line router rip
line network 10.0.0.0
line network 192.168.2.0
line exit
line router ospf 1
line network 10.1.12.0 0.0.0.255 area 0
line network 10.1.23.0 0.0.0.255 area 0
line network 192.168.2.0 0.0.0.255 area 0
line end
router 1
line configure terminal
line router rip
line network 10.0.0.0
line network 192.168.1.0
line exit
line router ospf 1
line network 10.1.12.0 0.0.0.255 area 0
line network 192.168.1.0 0.0.0.255 area 0
line end
wait 30
line show ip route
router 3
line show ip route
router 1
line ping 172.16.3.1
wait 1
router 2
line show ip ospf neighbor
line show ip ospf neighbor detail
line show ip ospf
line show ip ospf interface
key Space
line show ip protocols
key Space
router 1
line show ip ospf neighbor
wait 9
line configure terminal
line no router ospf 1
line end
line show ip ospf neighbor
wait 10
line show ip ospf neighbor
wait 10
line show ip ospf neighbor
wait 69
line show ip route
wait 1
line show ip route
wait 10
line show ip route
