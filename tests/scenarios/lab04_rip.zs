# topology: topologies/square.ini
# Lab 4 (labs/lab04_rip.htm) typed as a student follows the page, every step of it. Every Ethernet0
# goes down at 8 s (no LAN cabled). Part C, a minute on: every RIP route on router 1 is [120/1]
# (each counts as one hop) via its own address on the receiving interface, and 192.168.3.0 is listed
# once. Part D: router 1 shuts Serial0 at 74 s; router 2's Serial1 goes down 8 s later. Router 1
# keeps routing through Serial1 and hears its Serial0 network and LAN back as R routes. Router 2's
# routes through the broken link age out router by router: at about four minutes it reaches router
# 1's Serial1 through its own Serial0, and a ping each way round succeeds.
# Part A, step 1: address the square.
start enable
line conf t
line hostname R1
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.12.1 255.255.255.0
line no shut
line int s1
line ip address 192.168.41.1 255.255.255.0
line no shut
line end
router 2
start enable
line conf t
line hostname R2
line int e0
line ip address 192.168.2.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.23.2 255.255.255.0
line no shut
line int s1
line ip address 192.168.12.2 255.255.255.0
line no shut
line end
router 3
start enable
line conf t
line hostname R3
line int e0
line ip address 192.168.3.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.34.3 255.255.255.0
line no shut
line int s1
line ip address 192.168.23.3 255.255.255.0
line no shut
line end
router 4
start enable
line conf t
line hostname R4
line int e0
line ip address 192.168.4.1 255.255.255.0
line no shut
line int s0
line ip address 192.168.41.4 255.255.255.0
line no shut
line int s1
line ip address 192.168.34.4 255.255.255.0
line no shut
line end
# Part A, step 2.
wait 10
router 1
line show ip interface brief
# Part B, step 1: RIP on router 1.
line conf t
line router rip
line network 192.168.1.0
line network 192.168.12.0
line network 192.168.41.0
line end
# Part B, step 2: routers 2, 3 and 4.
router 2
line conf t
line router rip
line network 192.168.2.0
line network 192.168.12.0
line network 192.168.23.0
line end
router 3
line conf t
line router rip
line network 192.168.3.0
line network 192.168.23.0
line network 192.168.34.0
line end
router 4
line conf t
line router rip
line network 192.168.4.0
line network 192.168.34.0
line network 192.168.41.0
line end
# Part B, step 3.
router 1
line show ip protocols
line show protocols
# Part C, step 1 and 2: a minute later.
wait 60
line show ip route
# Part C, step 3.
line ping 192.168.3.1
wait 2
line ping 192.168.2.1
wait 2
# Part D, step 1.
line conf t
line int s0
line shutdown
line end
# Part D, step 2: router 1 and router 2 over the next minutes.
wait 10
line show ip route
router 2
line show ip route
wait 230
line show ip route
line ping 192.168.41.1
wait 2
router 1
line show ip route
line ping 192.168.23.2
wait 2
# Part D, step 3: the link back, and every router saves.
line conf t
line int s0
line no shutdown
line end
wait 10
line show ip interface brief
line copy running-config startup-config
router 2
line copy running-config startup-config
router 3
line copy running-config startup-config
router 4
line copy running-config startup-config
