behaviour real-router
# topology: topologies/chain3_lan.ini
# RIP passive-interface: router 1's passive Serial0 sends no updates, so router 2 never learns
# router 1's LAN while router 1 still learns 192.168.2.0 from it. After no passive-interface
# serial0, router 2 learns 192.168.1.0 within an update period.
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
line passive-interface serial0
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
line router rip
line network 192.168.2.0
line network 192.168.12.0
line end
wait 40
line show ip route rip
router 1
line show ip route rip
line conf t
line router rip
line no passive-interface serial0
line end
wait 35
router 2
line show ip route rip
