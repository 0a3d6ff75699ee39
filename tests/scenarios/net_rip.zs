# topology: topologies/chain3_lan.ini
# After two RIP passes router 1 has RIP routes [120/1] to every other network, but its static route
# to 172.16.3.0/24 beats the RIP one. Split horizon: 100 s after router 1's Ethernet is shut (31 s)
# its network has left router 1 and nobody hands it back, while router 2, which heard it last at
# 110 s, still lists it (a route is kept 80 s after its last refresh). After no router rip router 2
# still sends (router 3 keeps its routes) but accepts nothing: its RIP routes age out.
include openings/chain3_lan_addressed.zs
line configure terminal
line router rip
line network 10.0.0.0
line network 172.16.3.1
line end
router 2
line configure terminal
line router rip
line network 10.1.1.1
line network 192.168.2.0
line end
router 1
line configure terminal
line ip route 172.16.3.0 255.255.255.0 10.1.12.2
line router rip
line network 10.1.12.1
line network 192.168.1.0
line end
wait 30
line show ip route
line ping 172.16.3.1
wait 1
line show ip protocols
line configure terminal
line interface e0
line shutdown
line end
wait 100
line show ip route
router 2
line show ip route
line configure terminal
line no router rip
line end
wait 100
line show ip route
line show ip protocols
router 3
line show ip route
