# Lab 1 (labs/lab01_basic.htm) typed as a student follows the page, step by step.
# Part A: name the router.
start configure
line hostname Alpha
# Part B: passwords, lines and the banner (on two lines, as the page shows it).
line enable secret class
line enable password student
line line console 0
line password console
line login
line exit
line line vty 0 4
line password telnet
line login
line exit
line line aux 0
line password aux
line login
line exit
line banner motd #
line Authorized students only #
key Ctrl+Z
# Part C: check and save; the configuration is longer than a screen.
line show running-config
key Space
line copy running-config startup-config
line disable
line enable
line class
line show history
# Part D: Router 2 and Router 3 the same way, with abbreviations.
router 2
start enable
line conf t
line host Bravo
line enable secret class
line enable password student
line line con 0
line password console
line login
line line vty 0 4
line password telnet
line login
line line aux 0
line password aux
line login
line banner motd #
line Authorized students only #
line end
line sh run
# Router 2 has one interface more: its listing takes a second page.
key Space
key Space
line copy run start
router 3
line
line en
line conf t
line host Charlie
line enable secret class
line enable password student
line line con 0
line password console
line login
line line vty 0 4
line password telnet
line login
line line aux 0
line password aux
line login
line exit
line banner motd #
line Authorized students only #
line end
line sh run
key Space
line copy run start
