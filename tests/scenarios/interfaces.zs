# topology: topologies/two_routers.ini
# Interface spellings (capitals, a subinterface number), then what the running configuration shows:
# a refused address keeps the old one; "no description old text" makes the description "description
# old text"; frame-relay keeps PPP, "no encapsulation ppp" goes back to HDLC while CHAP stays; an
# OSPF cost of 2.5 is 2; RIP switched off keeps its networks and comes back only with a new one;
# IGRP keeps one classful network; "no cdp timer" complains, yet restores 60.
line enable
line configure terminal
line interface serial10
line interface x0
line interface s9
line interface ethernet 0
line ip address 192.168.1.1 255.255.255.0
line description LAN of the  Blue Team
line no shutdown
line no shutdown
line exit
line interface s0
line ip address 10.1.1.1
line ip address 10.1.1.1 255.255.255.255
line ip address 10.1.1.1 0.0.0.0
line ip address 10.1.1.1.5 255.255.255.0
line ip address 10.1.1.1 255.255.255.252 extra
line encapsulation ppp
line ppp authentication chap
line ip ospf cost abc
line ip ospf priority 99999
line ip ospf cost 100
line no shutdown
line shutdown
line shutdown
line end
line show protocols
line show interfaces ethernet 0
line show running-config
key Space
line configure terminal
line interface SERIAL 0
line no shutdown
line ip address 10.2.2.2 255.255.255.255
line no description old text
line encapsulation frame-relay
line no ppp authentication chap
line exit
line interface se 0.0
line no encapsulation ppp
line interface ETH 0
line ip ospf cost 2.5
line ip ospf priority 0
line description x
line no cdp enable
line exit
line description y
line router ospf
line router ospf one
line router ospf 99999
line router rip
line network 10.0.0.0
line no router rip
line router rip
line network 10.0.0.0
line router igrp 5
line network 10.1.1
line network 11.1.2.3
line network 11.9.9.9
line router eigrp 100
line network 172.16.0.0
line router ospf 1
line network 192.168.1.0 0.0.0.255
line network 192.168.1 0.0.0.255 area 0
line network 192.168.1.0 0.0.0.255 area backbone
line network 192.168.1.0 0.0.0.255 area 0
line exit
line cdp timer abc
line cdp timer 30
line no cdp timer
line cdp holdtime 120
line no cdp advertise-v2
line end
line show cdp interface
line show running-config
key Space
key Space
key Space
line configure terminal
line no cdp run
line router rip
line network 12.0.0.0
line exit
line no router igrp 5
line end
line show running-config
key Space
key Space
