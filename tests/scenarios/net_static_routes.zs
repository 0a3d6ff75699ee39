# topology: topologies/chain3_lan.ini
# Router 1 has no route before the first five-second tick, then its two connected networks. A ping
# across the chain over static routes fails until router 3 has a route back; an unrouted address is
# unreachable, and a loop of two static routes ends: "....." again. The longer 10.1.0.0/16 carries a
# ping to 10.1.23.3 though 10.0.0.0/8 (to the LAN, where frames are lost) came first; 10.9.9.9 takes
# the /8 and is lost. Router 1's Ethernet, shut at 26 s, goes down at 34 s; its connected network,
# last refreshed at 30 s, stays until the pass at which its age passes 24 (110 s).
include openings/chain3_lan_addressed.zs
router 1
line show ip route
wait 5
line show ip route
line configure terminal
line ip route 172.16.3.0 255.255.255.0 10.1.12.2
line end
router 2
line configure terminal
line ip route 172.16.3.0 255.255.255.0 10.1.23.3
line end
router 1
line ping 172.16.3.1
wait 1
router 3
line configure terminal
line ip route 10.1.12.0 255.255.255.0 10.1.23.2
line end
router 1
wait 5
line ping 172.16.3.1
wait 1
line ping 192.168.99.1
wait 1
line configure terminal
line ip route 172.20.0.0 255.255.0.0 10.1.12.2
line end
router 2
line configure terminal
line ip route 172.20.0.0 255.255.0.0 10.1.12.1
line end
wait 5
router 1
line ping 172.20.1.1
wait 1
line configure terminal
line ip route 10.0.0.0 255.0.0.0 192.168.1.9
line ip route 10.1.0.0 255.255.0.0 10.1.12.2
line end
wait 5
line show ip route
line ping 10.1.23.3
wait 1
line ping 10.9.9.9
wait 1
line configure terminal
line interface e0
line shutdown
line end
wait 8
line show ip interface brief
wait 75
line show ip route
wait 1
line show ip route
