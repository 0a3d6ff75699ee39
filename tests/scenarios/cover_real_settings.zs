# topology: topologies/two_routers.ini
# Real-router settings, and answers that end a dialogue early. Whatever a no form takes back is gone
# from the final configuration: a user named twice goes with one no form, removing one never named
# says nothing, and an EIGRP network given twice is kept once. Refused: a RIP summary mask of no
# ones, a passive interface the router lacks. A router ID changed while OSPF runs takes effect only
# after a reload or a clear (the same ID again says nothing). Filters: a pattern that is no valid
# expression (an unclosed parenthesis) is matched as plain text, trailing blanks of a pattern do not
# count, and a bar with no filter is invalid input. The extended ping stops at an unknown protocol
# ('?' is an answer there, not help), a target that is no address and a repeat count of 0.
behaviour real-router
start configure
line service password-encryption
line no service password-encryption
line username ann password one
line username ann password two
line no username bob
line no username ann
line banner motd #
line Two lines of
line text #
line no banner motd
line line aux 0
line exec-timeout 5 30
line logging synchronous
line login
line no exec-timeout
line no logging synchronous
line no login
line exit
line interface serial 0
line ip address 10.1.1.1 255.255.255.0
line clock rate 64000
line description uplink
line no description
line bandwidth 128
line no bandwidth
line delay 100
line no delay
line encapsulation ppp
line ppp authentication pap
line ppp pap sent-username R1 password 0 papR1
line no ppp pap sent-username
line no ppp authentication
line encapsulation hdlc
line no clock rate
line clock rate 64000
line ip ospf network point-to-point
line no ip ospf network
line ip summary-address rip 10.0.0.0 0.0.0.0
line ip summary-address rip 10.0.0.0 255.0.0.0
line no ip summary-address rip 10.0.0.0 255.0.0.0
line no shutdown
line exit
line router rip
line version 2
line no version
line no auto-summary
line auto-summary
line default-information originate
line no default-information originate
line network 10.0.0.0
line router eigrp 10
line no auto-summary
line auto-summary
line network 10.1.1.0 0.0.0.3
line network 10.1.1.0 0.0.0.3
line no network 10.1.1.0 0.0.0.3
line no network 172.16.0.0
line passive-interface serial 5
line router ospf 1
line network 10.1.1.0 0.0.0.255 area 0
line auto-cost reference-bandwidth 1000
line no auto-cost reference-bandwidth
line default-information originate
line no default-information originate
line end
router 2
start configure
line interface serial 0
line ip address 10.1.1.2 255.255.255.0
line no shutdown
line router ospf 1
line network 10.1.1.0 0.0.0.255 area 0
line end
router 1
wait 12
line configure terminal
line router ospf 1
line router-id 2.2.2.2
line router-id 2.2.2.2
line end
line show version | include Version 12.0(
type show version | exclude Software  
key Enter
line show version |
line show running-config
key Space
line ping
type ?
key Enter
line ping
line ipx
line ping
line
line 10.1.1
line ping
line
line 10.1.1.2
line 0
