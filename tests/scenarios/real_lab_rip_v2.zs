behaviour real-router
# topology: topologies/chain3_lan.ini
# A RIP version 2 worksheet with discontiguous networks: R1's LAN 172.16.1.0/24 and R3's LAN
# 172.16.3.0/25 are subnets of one class B network, separated by the 10.0.0.0 links 10.1.12.0/24
# (R1 DCE) and 10.1.23.0/24 (R2 DCE); R2's LAN is 192.168.2.0/24.
# First as version 1: each end summarises its LAN to 172.16.0.0/16, R2 holds two equal paths to
# it and sends it to neither (split horizon), so R1 never reaches 172.16.3.0. Then version 2 with
# no auto-summary on every router: the subnets travel with their masks, R1's table shows
# 172.16.0.0/16 variably subnetted (its /24 LAN and R3's /25), and the ping succeeds.
# R2 finally originates a default route and puts a passive interface on its LAN.
line
line enable
line conf t
line hostname R1
line int e0
line ip address 172.16.1.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.12.1 255.255.255.0
line clock rate 64000
line no shut
line router rip
line network 172.16.0.0
line network 10.0.0.0
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
line router rip
line network 10.0.0.0
line network 192.168.2.0
line end
router 3
line
line enable
line conf t
line hostname R3
line int e0
line ip address 172.16.3.1 255.255.255.128
line no shut
line int s0
line ip address 10.1.23.3 255.255.255.0
line no shut
line router rip
line network 10.0.0.0
line network 172.16.0.0
line end
wait 60
router 2
line show ip route
router 1
line show ip route
line ping 172.16.3.1
wait 12
# Version 2 and no auto-summary on all three routers.
line conf t
line router rip
line version 2
line no auto-summary
line end
router 2
line conf t
line router rip
line version 2
line no auto-summary
line end
router 3
line conf t
line router rip
line version 2
line no auto-summary
line end
wait 60
router 1
line show ip route
line show ip protocols
line ping 172.16.3.1
wait 2
router 2
line show ip route
# A default route from R2, and no updates onto its LAN.
line conf t
line router rip
line default-information originate
line passive-interface e0
line end
line show ip protocols
wait 35
router 3
line show ip route
line show ip route rip
line conf t
line int s0
line ip summary-address rip 172.16.0.0 255.255.0.0
line end
wait 35
router 1
line show ip route
line ping 172.16.3.1
wait 2
