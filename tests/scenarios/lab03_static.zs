# topology: default.ini
# Lab 3 (labs/lab03_static.htm) typed as a student follows the page, every step of it. Part A: every
# Ethernet0 goes down 8 s after the lines come up (no LAN cabled), yet at 10 s router 1 still lists
# its LAN as connected. Part B: router 1's ping to router 3's LAN, sent from 192.168.12.1, fails
# until router 3 has a route back to 192.168.12.0. Part C: by 120 s the LANs' connected routes have
# left (no keepalives on Ethernet0). "no ip route" does not take a static route away: router 3 keeps
# it, and router 1's ping still succeeds.
# Part A, step 1: address the routers.
start enable
line conf t
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.12.1 255.255.255.0
line no shut
router 2
start enable
line conf t
line int e0
line ip address 192.168.2.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.12.2 255.255.255.0
line no shut
line int s1
line ip address 192.168.23.2 255.255.255.0
line no shut
router 3
start enable
line conf t
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.23.3 255.255.255.0
line no shut
# Part A, step 2: once the lines are up, router 1's table.
wait 10
router 1
line end
line show ip route
# Part B, step 1: router 1.
line conf t
line ip route 192.168.2.0 255.255.255.0 192.168.12.2
line ip route 192.168.23.0 255.255.255.0 192.168.12.2
line ip route 192.168.3.0 255.255.255.0 192.168.12.2
line end
# Part B, step 2: router 2.
router 2
line end
line conf t
line ip route 192.168.1.0 255.255.255.0 192.168.12.1
line ip route 192.168.3.0 255.255.255.0 192.168.23.3
line end
# Part B, step 3: before router 3 has any route, the ping finds no way back.
router 1
line ping 192.168.3.1
wait 2
# Part B, step 4: router 3.
router 3
line end
line conf t
line ip route 192.168.1.0 255.255.255.0 192.168.23.2
line ip route 192.168.12.0 255.255.255.0 192.168.23.2
line ip route 192.168.2.0 255.255.255.0 192.168.23.2
line end
# Part C, step 1: every table, two minutes on.
wait 110
router 1
line show ip route
router 2
line show ip route
router 3
line show ip route
# Part C, step 2: end to end.
router 1
line ping 192.168.3.1
wait 2
# Part C, step 3: no ip route leaves the route where it is.
router 3
line conf t
line no ip route 192.168.12.0 255.255.255.0 192.168.23.2
line end
wait 5
line show ip route
router 1
line ping 192.168.3.1
wait 2
# Part C, step 4: save on every router.
line copy running-config startup-config
router 2
line copy running-config startup-config
router 3
line copy running-config startup-config
