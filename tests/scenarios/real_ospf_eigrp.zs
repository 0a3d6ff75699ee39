behaviour real-router
# topology: topologies/chain3_lan.ini
# OSPF (one area, network statements under their wildcards) and EIGRP on a three-router chain in
# the real-router behaviour. Router 3 runs EIGRP in AS 200 and so has no EIGRP neighbour: routers 1
# and 2 (AS 100) exchange EIGRP routes with metrics 256 x (10^7/bandwidth + delays), and router 1
# reaches router 3's LAN by OSPF at cost 64 + 64 + 10. CDP lists the local interface, then the
# neighbour's port.
line
line enable
line conf t
line hostname R1
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.12.1 255.255.255.0
line clock rate 64000
line no shut
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0
line network 192.168.1.0 0.0.0.255 area 0
line router eigrp 100
line network 10.0.0.0
line network 192.168.1.0
line end
router 2
line
line enable
line conf t
line hostname R2
line int e0
line ip address 192.168.2.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.12.2 255.255.255.0
line no shut
line int s1
line ip address 10.1.23.2 255.255.255.0
line clock rate 64000
line no shut
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0
line network 192.168.2.0 0.0.0.255 area 0
line router eigrp 100
line network 10.0.0.0
line network 192.168.2.0
line end
router 3
line
line enable
line conf t
line hostname R3
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.23.3 255.255.255.0
line no shut
line router ospf 1
line network 10.1.23.0 0.0.0.255 area 0
line network 192.168.3.0 0.0.0.255 area 0
line router eigrp 200
line network 10.0.0.0
line network 192.168.3.0
line end
wait 60
router 1
line show ip route
line show ip ospf neighbor
line show ip eigrp neighbors
line show cdp neighbors
router 3
line show ip route
line show ip ospf neighbor
line show ip eigrp neighbors
