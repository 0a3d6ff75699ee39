behaviour real-router
# topology: topologies/chain3_lan.ini
# RIP between R1's 172.16.1.0/24 and R3's 172.16.3.0/25, parted by 10.0.0.0 links: version 1
# summarises both to 172.16.0.0/16 (R2: two paths, sent to neither), version 2 with no auto-summary
# carries the masks (R2's RIP database shown under both). R2 then originates a default route, R3 a
# summary address.
start enable
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
include openings/real_chain3_r2.zs
line router rip
line network 10.0.0.0
line network 192.168.2.0
line end
router 3
start enable
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
line show ip rip database
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
line ping 172.16.3.1
wait 2
router 2
line show ip route
line show ip rip database
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
