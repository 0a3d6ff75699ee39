# topology: topologies/two_routers.ini
# Errors put a '^' under the first bad character of the echoed line: an unknown or misspelt word, a
# bad address or mask, a number out of range, a word too many. An unfinished command says so, an
# ambiguous one names the line. An unknown first word at the EXEC prompt is a host name to translate
# (asking the name server until `no ip domain-lookup`); `ip host` names serve ping and show hosts.
behaviour real-router
line shw ip route
line show ip rout
line show ip routes
line s
start configure
line interface serial 0
line ip address 10.0.0.256 255.255.255.0
line ip address 10.0.0.1 255.255.0.255
line ip address 10.0.0.1 255.255.255.0 extra
line ip address 10.0.0
line ip address 10.0.0.1
line  ip  address
line clock rate 100
line clock rate 64000
line exit
line ip route 192.168.2.0 255.255.255.0 10.0.0.2 256
line router ospf 0
line hostname R1 R2
line e
line do show controllers serial 0
# A keyword that begins a longer sibling takes only its own words after it.
line interface serial 0
line ip ospf authentication bogus
line ip ospf authentication-key bogus
# Values the command itself refuses, pointed at: an exit interface the router lacks, a date that
# does not exist.
line ip route 10.9.0.0 255.255.0.0 serial 7
line end
line clock set 10:00:00 31 February 2026
line clock set 25:00:00 1 March 2026
line configure terminal
line no ip domain-lookup
line ip domain-name lab.local
line ip host R2 10.0.0.2
line ip host r2 10.0.0.9
line ip host LAB2 192.168.2.1
line no ip host lab2
line end
line shw
line show hosts
line ping R2
wait 12
line ping R3
line show running-config | include domain
line show running-config | include ip host
