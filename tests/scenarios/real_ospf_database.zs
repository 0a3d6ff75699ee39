behaviour real-router
# topology: topologies/ethernet_pair.ini
# Each router's OSPF database holds both routers' link advertisements (three links each: the
# Ethernet segment, and the serial line as a point-to-point link and a stub network) and the
# segment's network advertisement from its designated router, router 2 (the higher ID). When router
# 1 shuts its Ethernet it counts one link fewer at once; router 2, which hears of no change until
# its dead interval ends, still counts three links and still advertises the segment. Neighbour
# detail names the segment's designated routers by address.
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
