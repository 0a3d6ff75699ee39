# topology: topologies/two_routers.ini
# Real-router interface names as students write them (s0, serial0, serial 0, e0), "do" in the
# configuration modes, show ip route by source, and clock rate: the DCE end of the cable (its first
# device) shows the clock rate it gives the line, or that it gives none; the DTE end sees the
# clocks. Router 2's end is left down, so no route is learnt and none goes by Serial0.
behaviour real-router
line enable
line show controllers serial 0
line show int s0
line configure terminal
line interface serial0
line ip address 10.0.0.1 255.255.255.252
line clock rate 64000
line no shutdown
line do show controllers serial 0
line interface e 0
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line exit
line ip route 192.168.2.0 255.255.255.0 10.0.0.2
wait 5
line do show ip route connected
line do show ip route static
line router rip
line network 10.0.0.0
line do show ip route rip
line do show ip route ospf
line do
line end
router 2
line enable
line show controllers s0
