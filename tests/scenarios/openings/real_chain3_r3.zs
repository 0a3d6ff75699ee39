# Router 3 of topologies/chain3_lan.ini named R3 and addressed; ends in interface mode.
router 3
start enable
line conf t
line hostname R3
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.23.3 255.255.255.0
line no shut
