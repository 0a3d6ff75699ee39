# Router 2 of topologies/chain3_lan.ini named R2 and addressed, Serial1 the DCE end clocked at
# 64000; ends in interface mode.
router 2
start enable
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
