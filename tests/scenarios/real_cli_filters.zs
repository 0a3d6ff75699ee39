behaviour real-router
# topology: topologies/two_routers.ini
# Show output filters, also after do show, the pattern a regular expression: | include (or | i)
# keeps matching lines, | exclude the rest, | begin all from the first match, | section each block
# holding a match; no match prints nothing. A filter after a command other than show, without a
# pattern or of an unknown kind is refused. Interface numbers the router lacks are named invalid.
start configure
line hostname R1
line interface serial 0
line ip address 10.1.12.1 255.255.255.0
line clock rate 64000
line line vty 0 4
line password remote
line login
line router rip
line network 10.0.0.0
line do show running-config | include interface
line end
line show running-config | i password|login
line show running-config | begin router rip
line show running-config | exclude ^( |!)
line show running-config | include ospf
line show ip interface brief | include Serial
line ping 10.1.12.2 | include Success
line show running-config | include
line show running-config | section rip
line show running-config | grep rip
line show interfaces serial 7
line show controllers serial 3
line configure terminal
line interface serial 5
line end
# no login takes the password check off the vty lines; the password stays, scrambled.
line configure terminal
line service password-encryption
line do show running-config | include password
line line vty 0 4
line no login
line do show running-config | include password|login
line end
