behaviour real-router
# topology: topologies/chain3_lan.ini
# OSPF in one area and EIGRP together. Router 3 runs EIGRP in AS 200 and so has no EIGRP neighbour;
# routers 1 and 2 (AS 100) exchange EIGRP routes with metrics 256 x (10^7/bandwidth + delays), and
# router 1 reaches router 3's LAN by OSPF at cost 64 + 64 + 10. CDP lists the local interface, then
# the neighbour's port. Router 3 learns router 1's LAN by OSPF though router 2 reaches it by EIGRP:
# OSPF hands on every network its area holds, and a ping crosses.
include openings/real_chain3_r1.zs
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0
line network 192.168.1.0 0.0.0.255 area 0
line router eigrp 100
line network 10.0.0.0
line network 192.168.1.0
line end
include openings/real_chain3_r2.zs
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0
line network 192.168.2.0 0.0.0.255 area 0
line router eigrp 100
line network 10.0.0.0
line network 192.168.2.0
line end
include openings/real_chain3_r3.zs
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
line ping 192.168.1.1
wait 3
