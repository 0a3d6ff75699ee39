behaviour real-router
# topology: topologies/chain3_lan.ini
# Discontiguous networks under EIGRP's automatic summarisation: R1's LAN 172.16.1.0/24 and R3's
# LAN 172.16.3.0/24 are parted by 10.1.12.0/24 and 10.1.23.0/24. With auto-summary (the default)
# both send R2 the classful 172.16.0.0/16, which R2 keeps as two equal paths, so half of R2's
# pings to R1's LAN go to R3. With `no auto-summary` on R1 and R3 each subnet has its own route.
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
line router eigrp 10
line network 172.16.0.0
line network 10.0.0.0
line end
router 2
line
line enable
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
line
line enable
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
router 1
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
