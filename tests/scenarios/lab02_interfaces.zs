# topology: topologies/two_routers.ini
# Lab 2 (labs/lab02_interfaces.htm) typed as a student follows the page: the configuration of
# parts A and B and the saving step of part C. The interface reports (part A steps 1 and 4), the
# link checks and the pings depend on the network engine and are walked in a script of their
# own; the running configuration of Router 2 shows where "interface s0" went.
# Part A: Router 1.
line
line enable
line configure terminal
line hostname R1
line interface ethernet 0
line description LAN of Router 1
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line exit
line interface serial 0
line description Link to Router 2
line ip address 192.168.12.1 255.255.255.0
line encapsulation ppp
line no shutdown
key Ctrl+Z
# Part B: Router 2, with "interface s0" typed while Ethernet0 is being configured.
router 2
line
line enable
line configure terminal
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
line show running-config
key Space
# Part C, step 4: save the work on both routers.
line copy running-config startup-config
router 1
line copy running-config startup-config
