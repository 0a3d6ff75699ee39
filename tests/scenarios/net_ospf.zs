# topology: topologies/chain3_lan.ini
# OSPF and RIP side by side on three routers in a chain. OSPF (110) beats RIP (120): router 1
# lists OSPF routes only. Costs add up along the way: router 2 sends its first OSPF update with
# path cost 64 and its second with 128, so router 1 has metric 128 and router 3 metric 192 for
# router 2's networks. A ping across the three routers succeeds over OSPF. Neighbours carry the
# router ID of the router that ran the last command. no router ospf on router 1 while it has a
# neighbour: the neighbour stays until a maintenance pass finds it silent for more than 15 s
# (here at 60 s, 20 s after the last accepted update at 40 s); the OSPF routes, last refreshed
# at 40 s, are still there at 129 s. The pass of 130 s removes them, except the one that moved
# into a freed slot, which waits for the pass of 140 s; RIP routes take their places, but none
# to 172.16.3.0, for which router 2 itself uses OSPF and so sends no RIP route. Router 2's OSPF
# reports with both neighbours: the neighbour details, the process and its interfaces, then its
# RIP and OSPF protocols.
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
