# topology: topologies/ethernet_pair.ini
# show arp lists only the router's own Ethernet addresses until something is learned, never an
# addressed serial interface, and a serial ping teaches nothing (serial frames carry no hardware
# address). An Ethernet ping teaches both routers the other's address, age 0, on the sender's
# interface; a second adds nothing. clear arp-cache leaves only the router's own lines.
line enable
line configure terminal
line interface e0
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line exit
line interface s0
line ip address 10.1.1.1 255.255.255.252
line no shutdown
line end
line show arp
router 2
line enable
line configure terminal
line interface e0
line ip address 192.168.1.2 255.255.255.0
line no shutdown
line exit
line interface s0
line ip address 10.1.1.2 255.255.255.252
line no shutdown
line end
line show arp
wait 5
router 1
line ping 10.1.1.2
wait 1
line show arp
line ping 192.168.1.2
wait 1
line ping 192.168.1.2
wait 1
line show arp
router 2
line show arp
line clear arp-cache
line show arp
