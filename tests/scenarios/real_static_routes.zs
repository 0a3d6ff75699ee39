behaviour real-router
# topology: topologies/chain3_lan.ini
# Router 1 reaches everything by a default route to router 2, router 3 by one out of Serial0; router
# 2 has a route to each LAN, by next hop and by exit interface. A route whose next hop no connected
# network holds stays out of the table; a second next hop for a network stands beside the first; no
# ip route removes exactly the route it names; an address with bits outside its mask is refused.
include openings/real_chain3_r1.zs
line exit
line ip route 0.0.0.0 0.0.0.0 10.1.12.2
line ip route 10.1.1.1 255.255.255.0 10.1.12.2
line end
include openings/real_chain3_r2.zs
line exit
line ip route 192.168.1.0 255.255.255.0 10.1.12.1
line ip route 192.168.3.0 255.255.255.0 serial1
line ip route 172.16.0.0 255.255.0.0 10.1.12.1
line ip route 172.16.0.0 255.255.0.0 10.1.23.3
line ip route 172.31.0.0 255.255.0.0 10.9.9.9
line end
include openings/real_chain3_r3.zs
line exit
line ip route 0.0.0.0 0.0.0.0 s0
line end
wait 12
router 1
line show ip route
line ping 192.168.3.1
wait 2
router 2
line show ip route
router 3
line show ip route
line ping 192.168.1.1
wait 2
# The wrong next hop is corrected: the route removed is exactly the one named.
router 2
line conf t
line no ip route 172.16.0.0 255.255.0.0 10.1.23.3
line no ip route 192.168.3.0 255.255.255.0 serial1
line end
line show ip route
router 1
line conf t
line no ip route 0.0.0.0 0.0.0.0 10.1.12.2
line end
line show ip route
line ping 192.168.3.1
wait 10
# A floating static route: a distance after the exit interface keeps the route out of the table
# while a better one to the same network stands, and puts it in when that one goes.
router 2
line conf t
line ip route 192.168.3.0 255.255.255.0 10.1.23.3
line ip route 192.168.3.0 255.255.255.0 serial1 5
line end
line show ip route static
line show running-config | include ip route
line conf t
line no ip route 192.168.3.0 255.255.255.0 10.1.23.3
line end
line show ip route static
# A host route (mask 255.255.255.255) is a /32 of its own beside its network's route.
line conf t
line ip route 192.168.1.9 255.255.255.255 10.1.12.1
line end
line show ip route 192.168.1.9
