# topology: topologies/two_routers.ini
# The OSPF router ID is the address of an up interface whose digits, dots left out, make the largest
# number. 9.255.255.255 (ten digits) beats the higher 10.0.0.200 (seven), 192.168.100.100 beats
# 192.168.100.99 (both past 32 bits), and a tie (1.11.1.1, 11.1.1.1) goes to the first interface.
line enable
line configure terminal
line interface ethernet 0
line ip address 10.0.0.200 255.255.255.0
line no shutdown
line interface serial 0
line ip address 9.255.255.255 255.0.0.0
line no shutdown
line router ospf 1
line network 10.0.0.0 0.0.0.255 area 0
line network 9.0.0.0 0.255.255.255 area 0
line network 192.168.100.0 0.0.0.255 area 0
line end
line show ip ospf interface
line configure terminal
line interface ethernet 0
line ip address 192.168.100.99 255.255.255.0
line interface serial 0
line ip address 192.168.100.100 255.255.255.0
line end
line show ip ospf interface
line configure terminal
line interface ethernet 0
line ip address 11.1.1.1 255.0.0.0
line interface serial 0
line ip address 1.11.1.1 255.0.0.0
line router ospf 1
line network 1.0.0.0 0.255.255.255 area 0
line network 11.0.0.0 0.255.255.255 area 0
line end
line show ip ospf interface
