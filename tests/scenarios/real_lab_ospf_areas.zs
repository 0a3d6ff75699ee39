behaviour real-router
# topology: topologies/chain3_lan.ini
# Multi-area OSPF: router 1 in area 1 only, router 2 the border router, router 3 in area 0
# originating its default route to its LAN's gateway. Router 1 learns area 0's networks as "O IA"
# and the default as "O*E2" (metric 1, gateway of last resort router 2); router 3 learns area 1's as
# "O IA". show ip ospf calls router 2 an area border router, interfaces counted per area.
start configure
line hostname R1
line interface ethernet 0
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line interface serial 0
line ip address 10.1.12.1 255.255.255.0
line clock rate 64000
line no shutdown
line router ospf 1
line network 192.168.1.0 0.0.0.255 area 1
line network 10.1.12.0 0.0.0.255 area 1
line end
router 2
start configure
line hostname R2
line interface ethernet 0
line ip address 192.168.2.1 255.255.255.0
line no shutdown
line interface serial 0
line ip address 10.1.12.2 255.255.255.0
line no shutdown
line interface serial 1
line ip address 10.1.23.2 255.255.255.0
line clock rate 64000
line no shutdown
line router ospf 1
line network 192.168.2.0 0.0.0.255 area 1
line network 10.1.12.0 0.0.0.255 area 1
line network 10.1.23.0 0.0.0.255 area 0
line end
router 3
start configure
line hostname R3
line interface ethernet 0
line ip address 192.168.3.1 255.255.255.0
line no shutdown
line interface serial 0
line ip address 10.1.23.3 255.255.255.0
line no shutdown
line exit
line ip route 0.0.0.0 0.0.0.0 192.168.3.254
line router ospf 1
line network 192.168.3.0 0.0.0.255 area 0
line network 10.1.23.0 0.0.0.255 area 0
line default-information originate
line end
wait 60
router 1
line show ip route
line show ip ospf neighbor
router 2
line show ip route
line show ip ospf
router 3
line show ip route
# The link-state databases: router 1 holds area 1's router links and router 2's summaries of
# area 0; router 2 holds both areas; router 3's default route is an external advertisement.
router 1
line show ip ospf database
router 2
line terminal length 0
line show ip ospf database
# Filters apply to these reports too: router 2's external advertisement, and its count.
line show ip ospf database | begin Type-5
line show ip ospf | include external
