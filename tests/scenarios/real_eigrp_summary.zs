behaviour real-router
# topology: topologies/chain3_lan.ini
# Manual EIGRP summarisation: router 1's four loopback networks 192.168.0.0/24 to 192.168.3.0/24
# reach router 2 as one summary 192.168.0.0/22 out of Serial0, at the best metric inside it (a
# loopback's plus the serial line: 2297856). Router 1 routes the summary itself to Null0 and lists
# it under Address Summarization. Without the summary, router 2 learns the four networks again.
start enable
line conf t
line hostname R1
line int lo0
line ip address 192.168.0.1 255.255.255.0
line int lo1
line ip address 192.168.1.1 255.255.255.0
line int lo2
line ip address 192.168.2.1 255.255.255.0
line int lo3
line ip address 192.168.3.1 255.255.255.0
line int s0
line ip address 10.1.12.1 255.255.255.0
line clock rate 64000
line ip summary-address eigrp 100 192.168.0.0 255.255.252.0
line no shut
line router eigrp 100
line network 10.1.12.0 0.0.0.255
line network 192.168.0.0 0.0.3.255
line no auto-summary
line end
router 2
start enable
line conf t
line hostname R2
line int s0
line ip address 10.1.12.2 255.255.255.0
line no shut
line router eigrp 100
line network 10.1.12.0 0.0.0.255
line no auto-summary
line end
wait 30
line show ip route eigrp
router 1
line show ip route 192.168.0.0 255.255.252.0
line show ip protocols
line show running-config interface serial 0
line conf t
line int s0
line no ip summary-address eigrp 100 192.168.0.0 255.255.252.0
line end
wait 10
router 2
line show ip route eigrp
