# topology: topologies/two_routers.ini
# Lab 2 (labs/lab02_interfaces.htm) typed as a student follows the page, every step of it. Part A:
# Ethernet0 and Serial0 come up at once and, with nobody sending to them, go down on the fourth
# layer-2 tick (8 s). Part B at 10 s: router 2's Serial0 comes up at once and stays up; router 1's
# comes back one PPP exchange later, and only router 1 prints the up pair. Part C: ping to router
# 2's LAN fails (no route to it); CDP lists router 2 once the first advertisements are out (25 s).
# Challenge: HDLC against PPP takes the link down on both ends about 8 s later; back to PPP, both
# ends come up again and each prints the up pair.
# Part A, step 1: press F1, then Enter.
start enable
line show ip interface brief
# Part A, step 2.
line configure terminal
line hostname R1
line interface ethernet 0
line description LAN of Router 1
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line exit
# Part A, step 3.
line interface serial 0
line description Link to Router 2
line ip address 192.168.12.1 255.255.255.0
line encapsulation ppp
line no shutdown
# Part A, step 4: Ctrl+Z, wait for the down messages, then look at Serial0.
key Ctrl+Z
wait 10
line show interfaces serial 0
# Part B, step 1: router 2, with abbreviations.
router 2
start configure
line hostname R2
line interface e0
line description LAN of Router 2
line ip address 192.168.2.1 255.255.255.0
line no shutdown
line interface s0
line description Link to Router 1
line ip address 192.168.12.2 255.255.255.0
line encapsulation ppp
line no shutdown
key Ctrl+Z
# Part B, step 2: wait a few seconds.
wait 10
# Part C, step 1: on router 1.
router 1
line show ip interface brief
line show interfaces serial 0
line show protocols
# Part C, steps 2 and 3.
line ping 192.168.12.2
wait 2
line ping 192.168.2.1
wait 2
# Part C, step 4: CDP, half a minute after the start.
wait 6
line show cdp neighbors
router 2
line show cdp neighbors
line show ip interface brief
# Part C, step 5: save the work on both routers.
line copy running-config startup-config
router 1
line copy running-config startup-config
# Challenge: router 2 back to HDLC, then PPP again.
router 2
line configure terminal
line interface s0
line no encapsulation ppp
wait 10
key Ctrl+Z
line show interfaces serial 0
router 1
line show interfaces serial 0
router 2
line configure terminal
line interface s0
line encapsulation ppp
wait 6
key Ctrl+Z
line show ip interface brief
router 1
line
line show ip interface brief
