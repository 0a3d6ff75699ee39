behaviour real-router
# topology: topologies/chain3_lan.ini
# EIGRP auto-summary with R1's LAN 172.16.1.0/24 and R3's 172.16.3.0/24 parted by 10.0.0.0 links: by
# default both send R2 the classful 172.16.0.0/16, which R2 keeps as two equal paths, and R1 and R3
# keep their summary towards Null0. With `no auto-summary` on R1 and R3 each subnet has its own
# route and the summaries go.
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
line router eigrp 10
line network 172.16.0.0
line network 10.0.0.0
line end
router 2
start enable
line conf t
line hostname R2
line int s0
line ip address 10.1.12.2 255.255.255.0
line no shut
line int s1
line ip address 10.1.23.2 255.255.255.0
line clock rate 64000
line no shut
line router eigrp 10
line network 10.0.0.0
line end
router 3
start enable
line conf t
line hostname R3
line int e0
line ip address 172.16.3.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.23.3 255.255.255.0
line no shut
line router eigrp 10
line network 172.16.0.0
line network 10.0.0.0
line end
wait 30
router 2
line show ip route
# R1 summarises its LAN towards R2 and keeps the summary in its own table, towards Null0: an
# address of 172.16.0.0 that no subnet holds goes nowhere.
router 1
line show ip route
line show ip eigrp topology
line show ip protocols
key Space
line show ip route 172.16.9.9
line ping 172.16.9.9
wait 12
line conf t
line router eigrp 10
line no auto-summary
line end
router 3
line conf t
line router eigrp 10
line no auto-summary
line end
wait 30
router 2
line show ip route eigrp
router 1
line show ip route eigrp
