behaviour real-router
# topology: topologies/chain3_lan.ini
# `debug ip rip` on a RIP link: R2 prints each update it sends (version 1 to the broadcast address,
# networks and subnets at the metric they travel with) and receives (in hops), the classless form
# once version 2 is set (224.0.0.9, prefixes, "via 0.0.0.0"); show debugging names it, undebug all
# ends it. Other debug switches only say they are on or off.
start enable
line conf t
line hostname R1
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.1.1 255.255.255.0
line clock rate 64000
line no shut
line router rip
line network 192.168.1.0
line network 10.0.0.0
line end
router 2
start enable
line conf t
line hostname R2
line int s0
line ip address 10.1.1.2 255.255.255.0
line no shut
line int e0
line ip address 10.2.2.1 255.255.255.0
line no shut
line router rip
line network 10.0.0.0
line end
wait 35
line debug ip rip
line debug ppp authentication
line show debugging
wait 30
line no debug ppp authentication
line conf t
line router rip
line version 2
line no auto-summary
line router rip
line end
router 1
line conf t
line router rip
line version 2
line no auto-summary
line end
router 2
wait 30
line undebug all
wait 30
line show debugging
