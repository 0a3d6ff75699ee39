behaviour real-router
# topology: topologies/chain3_lan.ini
# Static routing: R1 and R3 are stubs with a default route (by next hop, by exit interface), R2 has
# a route to each LAN. R1 pings R3's LAN while R3 has no way back: each echo times out by itself,
# and once R3's default route is typed the rest come back. Traceroute shows each hop by the address
# of its interface facing R1.
start enable
line conf t
line hostname R1
line enable secret class
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.12.1 255.255.255.0
line clock rate 64000
line no shut
line exit
line ip route 0.0.0.0 0.0.0.0 192.168.12.2
line end
router 2
start enable
line conf t
line hostname R2
line enable secret class
line int e0
line ip address 192.168.2.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.12.2 255.255.255.0
line no shut
line int s1
line ip address 192.168.23.2 255.255.255.0
line clock rate 64000
line no shut
line exit
line ip route 192.168.1.0 255.255.255.0 192.168.12.1
line ip route 192.168.3.0 255.255.255.0 192.168.23.3
line end
router 3
start enable
line conf t
line hostname R3
line enable secret class
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.23.3 255.255.255.0
line no shut
line end
wait 30
router 1
line show ip route
line ping 192.168.3.1
wait 3
# R3's default route arrives while R1's second ping is under way.
router 3
line conf t
line ip route 0.0.0.0 0.0.0.0 serial0
line end
line show ip route
wait 10
router 2
line show ip route
router 1
line traceroute 192.168.3.1
wait 2
# No router knows 10.9.9.9: R2 answers "host unreachable".
line ping 10.9.9.9
wait 6
line traceroute 10.9.9.9
wait 2
# The ping questions: Enter takes each default, the target and a repeat count of 10 are typed.
router 2
line ping
line
line 192.168.3.1
line 10
line
line
line
line
wait 2
router 1
line show ip route 0.0.0.0
router 2
line show ip route 192.168.3.0 255.255.255.0
line show ip route 192.168.23.9
