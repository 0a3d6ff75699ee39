behaviour real-router
# topology: topologies/chain3_lan.ini
# Single-area OSPF with a loopback on each router, its address the router ID. A minute later every
# router has every network, the other loopbacks as /32 host routes at 64 per serial hop plus 1, the
# LANs at 64 per hop plus 10, and pings reach the loopbacks; router 2 has both neighbours FULL.
# Router 1's loopback is an OSPF point-to-point network, so the others learn 10.1.1.0/24, not a host
# route. router-id 1.1.1.1 takes effect only when `clear ip ospf process` is answered "yes".
start configure
line hostname R1
line enable secret class
line line con 0
line password kolvo
line login
line line vty 0 4
line password kolvo
line login
line exit
line interface loopback 0
line ip address 10.1.1.1 255.255.255.0
line ip ospf network point-to-point
line interface ethernet 0
line description R1 LAN
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line interface serial 0
line description Link to R2
line ip address 172.16.12.1 255.255.255.252
line clock rate 64000
line no shutdown
line exit
line router ospf 1
line network 192.168.1.0 0.0.0.255 area 0
line network 172.16.12.0 0.0.0.3 area 0
line network 10.1.1.0 0.0.0.255 area 0
line end
router 2
start configure
line hostname R2
line enable secret class
line interface lo0
line ip address 10.2.2.2 255.255.255.0
line interface e0
line description R2 LAN
line ip address 192.168.2.1 255.255.255.0
line no shutdown
line interface s0
line description Link to R1
line ip address 172.16.12.2 255.255.255.252
line no shutdown
line interface s1
line description Link to R3
line ip address 172.16.23.1 255.255.255.252
line clock rate 64000
line no shutdown
line exit
line router ospf 1
line network 192.168.2.0 0.0.0.255 area 0
line network 172.16.12.0 0.0.0.3 area 0
line network 172.16.23.0 0.0.0.3 area 0
line network 10.2.2.0 0.0.0.255 area 0
line end
router 3
start configure
line hostname R3
line enable secret class
line interface loopback0
line ip address 10.3.3.3 255.255.255.255
line interface ethernet0
line ip address 192.168.3.1 255.255.255.0
line no shutdown
line interface serial0
line ip address 172.16.23.2 255.255.255.252
line no shutdown
line exit
line router ospf 1
line network 0.0.0.0 255.255.255.255 area 0
line end
wait 60
router 1
line show ip interface brief
line show ip route
line show ip ospf neighbor
line show ip ospf
line show ip ospf interface loopback 0
line show ip ospf interface brief
line show ip ospf interface serial 1
line show ip protocols
line ping 10.3.3.3
wait 2
line ping 10.2.2.2
wait 2
router 2
line show ip ospf neighbor
line show ip ospf interface
key Space
router 3
line show ip route
line show interfaces loopback 0
# A loopback made by mistake is removed again.
line configure terminal
line interface loopback 1
line ip address 10.33.33.33 255.255.255.255
line no interface loopback 1
line end
line show ip interface brief
# The router ID changes only when the process restarts.
router 1
line configure terminal
line router ospf 1
line router-id 1.1.1.1
line end
line show ip protocols
line clear ip ospf process
line no
line show ip protocols
line clear ip ospf process
line yes
wait 60
line show ip protocols
router 2
line show ip ospf neighbor
router 1
line show running-config
key Space Space Enter
