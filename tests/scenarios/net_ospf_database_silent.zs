# topology: topologies/chain3.ini
# Router 2's OSPF database before and after both neighbours fall silent at once. The first pass that
# finds them silent removes the neighbour in slot 1 and moves the other down into it; the next
# removes that one. The table keeps the address left in slot 1, so the empty report still ends with
# it, without a line end; the router ID is empty, no interface being up.
line enable
line configure terminal
line interface s0
line ip address 10.1.12.1 255.255.255.0
line no shutdown
line exit
line router ospf 1
line network 10.1.12.0 0.0.0.255 area 0
line end
router 3
line enable
line configure terminal
line interface s0
line ip address 10.1.23.3 255.255.255.0
line no shutdown
line exit
line router ospf 1
line network 10.1.23.0 0.0.0.255 area 0
line end
router 2
line enable
line configure terminal
line interface s0
line ip address 10.1.12.2 255.255.255.0
line no shutdown
line exit
line interface s1
line ip address 10.1.23.2 255.255.255.0
line no shutdown
line exit
line router ospf 1
line network 10.1.12.0 0.0.0.255 area 0
line network 10.1.23.0 0.0.0.255 area 0
line end
wait 30
line show ip ospf neighbor
line show ip ospf database
router 1
line configure terminal
line interface s0
line shutdown
line end
router 3
line configure terminal
line interface s0
line shutdown
line end
router 2
wait 20
line show ip ospf neighbor
wait 20
line show ip ospf neighbor
line show ip ospf database
