# topology: topologies/two_routers.ini
# Lab 2 (labs/lab02_interfaces.htm) typed as a student follows the page, every step of it.
# Part A on router 1 at 0 s: every interface starts administratively down; no shutdown brings
# Ethernet0 and Serial0 up at once, and with nobody sending to them both go down again on the
# fourth layer-2 tick (8 s): the far router is not configured yet and this topology cables no LAN
# to Ethernet0. show interfaces serial 0 then reads down, with PPP framing.
# Part B at 10 s: router 2, configured with abbreviations ("interface s0" typed while Ethernet0
# is being configured), reports its own Serial0 up at once and never down again; router 1's
# Serial0 comes back up one PPP exchange later, and only router 1 prints the up pair.
# Part C: Serial0 up and up in both interface reports and show protocols; ping over the link
# succeeds, ping to router 2's LAN fails (router 1 has no route to it). CDP lists router 2 once
# the first advertisements have gone out (25 s). Both routers save.
# Challenge: HDLC on router 2 against PPP on router 1 takes the link down on both ends about
# 8 s later; back to PPP, both ends come up again and each prints the up pair.
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
