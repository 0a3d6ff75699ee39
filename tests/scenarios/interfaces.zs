# topology: topologies/two_routers.ini
# Selecting interfaces by their many spellings, addresses, descriptions, shutdown and the reports.
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
