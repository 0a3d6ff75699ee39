behaviour real-router
# topology: topologies/square_lan.ini
# EIGRP AS 100 on a square: R1 reaches R2's LAN at 256 x (10^7/1544 + 2000 + 100) = 2195456, R3's
# over two equal paths at 2707456. When R1's link to R2 goes down, R2's routes come back through R4.
# R4 names its networks with wildcard bits, as many worksheets do, covering the same interfaces.
include openings/real_chain3_r1.zs
line int s1
line ip address 10.1.41.1 255.255.255.0
line no shut
line router eigrp 100
line network 10.0.0.0
line network 192.168.1.0
line no auto-summary
line end
router 2
start enable
line conf t
line hostname R2
line int e0
line ip address 192.168.2.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.23.2 255.255.255.0
line clock rate 64000
line no shut
line int s1
line ip address 10.1.12.2 255.255.255.0
line no shut
line router eigrp 100
line network 10.0.0.0
line network 192.168.2.0
line no auto-summary
line end
router 3
start enable
line conf t
line hostname R3
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.34.3 255.255.255.0
line clock rate 64000
line no shut
line int s1
line ip address 10.1.23.3 255.255.255.0
line no shut
line router eigrp 100
line network 10.0.0.0
line network 192.168.3.0
line no auto-summary
line end
router 4
start enable
line conf t
line hostname R4
line int e0
line ip address 192.168.4.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.41.4 255.255.255.0
line clock rate 64000
line no shut
line int s1
line ip address 10.1.34.4 255.255.255.0
line no shut
line router eigrp 100
line network 10.1.34.0 0.0.0.255
line network 10.1.41.0 0.0.0.255
line network 192.168.4.0 0.0.0.255
line no auto-summary
line end
wait 30
router 1
line show ip route
line show ip eigrp neighbors detail
line show ip eigrp topology
line ping 192.168.3.1
wait 2
line traceroute 192.168.3.1
wait 2
# R1's link to R2 goes down: its neighbour there leaves at once, and R2's networks come back
# by way of R4 and R3.
line conf t
line int s0
line shutdown
line end
wait 10
line show ip route
line show ip eigrp neighbors
line traceroute 192.168.2.1
wait 2
# One network's routing entry, by an address inside it or by network and mask; a network the
# table lacks. The shut interface in show ip interface, and one that is up.
line show ip route 192.168.2.77
line show ip route 10.99.0.0 255.255.0.0
line sh ip int e0
key Space
line show ip interface serial 0
# The link comes back and R1 keeps one path per network: maximum-paths 1.
key q
line conf t
line int s0
line no shutdown
line router eigrp 100
line maximum-paths 1
line end
wait 30
line show ip route eigrp
line show running-config | begin router eigrp
line show ip eigrp interfaces
line show ip eigrp traffic
