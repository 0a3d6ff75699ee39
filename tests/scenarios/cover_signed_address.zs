# topology: topologies/two_routers.ini
# An address typed with a plus sign is kept as typed, but the router ID's reading of its digits
# stops at the sign: +192.168.2.2 would beat 10.1.1.1 on digits, yet 10.1.1.1 is the router ID.
line enable
line configure terminal
line interface ethernet 0
line ip address 10.1.1.1 255.255.255.0
line no shutdown
line interface serial 0
line ip address +192.168.2.2 255.255.255.0
line no shutdown
line router ospf 1
line network 10.1.1.0 0.0.0.255 area 0
line network 192.168.2.0 0.0.0.255 area 0
line end
line show ip ospf interface
