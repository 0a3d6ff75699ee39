behaviour real-router
# topology: topologies/ethernet_pair.ini
# Two routers in OSPF area 0 over an Ethernet segment and a serial line. Each router's database
# holds both routers' link advertisements (three links each: the segment, and the serial line as
# a point-to-point link and a stub network) and one network advertisement for the segment, sent
# by its designated router, router 2 (the higher router ID). Shut, the segment's advertisement
# goes and each router counts one link fewer. The neighbour detail names the segment's
# designated routers by their addresses.
start configure
line hostname R1
line interface ethernet 0
line ip address 10.0.0.1 255.255.255.0
line no shutdown
line interface serial 0
line ip address 10.1.0.1 255.255.255.252
line clock rate 64000
line no shutdown
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0
line end
router 2
start configure
line hostname R2
line interface ethernet 0
line ip address 10.0.0.2 255.255.255.0
line no shutdown
line interface serial 0
line ip address 10.1.0.2 255.255.255.252
line no shutdown
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0
line end
wait 60
router 1
line terminal length 0
line show ip ospf database
line show ip ospf neighbor det
line configure terminal
line interface ethernet 0
line shutdown
line end
wait 10
line show ip ospf database
