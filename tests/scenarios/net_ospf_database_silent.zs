# topology: topologies/chain3.ini
# The OSPF database of router 2, in the middle of the chain, with two neighbours and after both
# fall silent. Router 1 and router 3 shut their serial interfaces at the same moment. The first
# maintenance pass that finds them silent removes the neighbour in slot 1 and moves the other one
# down into it; the next pass removes that one too. The table keeps the address left in slot 1, so
# the report with no neighbours still ends with it, without a line end. (The router ID is empty
# by then: with both serial lines down, router 2 has no interface up.)
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
