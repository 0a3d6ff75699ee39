behaviour real-router
# topology: topologies/chain3_lan.ini
# A RIP worksheet: a minute after RIP is configured, router 1 reaches router 2's networks in one hop
# and router 3's LAN in two, each via router 2's 192.168.12.2, and show ip protocols names router 2
# as the source. When router 2 shuts Serial1, router 1 has lost 192.168.23.0 and 192.168.3.0 within
# five seconds (router 2's triggered update), and a ping to router 3 fails at once.
start enable
line conf t
line hostname R1
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.12.1 255.255.255.0
line clock rate 64000
line no shut
line router rip
line network 192.168.1.0
line network 192.168.12.0
line end
router 2
start enable
line conf t
line hostname R2
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
line router rip
line network 192.168.2.0
line network 192.168.12.0
line network 192.168.23.0
line end
router 3
start enable
line conf t
line hostname R3
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.23.3 255.255.255.0
line no shut
line router rip
line network 192.168.3.0
line network 192.168.23.0
line end
wait 60
router 1
line show ip route
line show ip protocols
line ping 192.168.3.1
wait 2
router 3
line show ip route
# Router 2 shuts its link to router 3.
router 2
line conf t
line int s1
line shutdown
line end
wait 5
router 1
line show ip route
line ping 192.168.3.1
wait 10
