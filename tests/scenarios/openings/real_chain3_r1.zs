# Router 1 of topologies/chain3_lan.ini (or square_lan.ini) named R1 and addressed as routing
# worksheets do, Serial0 the DCE end clocked at 64000; ends in interface mode.
start enable
line conf t
line hostname R1
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 10.1.12.1 255.255.255.0
line clock rate 64000
line no shut
