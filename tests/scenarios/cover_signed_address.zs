# topology: topologies/two_routers.ini
# An address typed with a plus sign is taken as it was typed, but its digits do not count towards
# the OSPF router ID: the reading stops at the sign. Serial0's +192.168.2.2 would beat Ethernet0's
# 10.1.1.1 on digits; with the sign, 10.1.1.1 is the router ID.
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
