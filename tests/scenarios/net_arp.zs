# topology: topologies/ethernet_pair.ini
# The ARP cache. With nothing learned, show arp lists only the router's own Ethernet addresses;
# a serial interface with an address never appears. A ping over the serial line teaches
# nothing (serial frames carry no hardware address). A ping over the Ethernet teaches both
# routers the other's Ethernet address, with age 0 and the sender's interface; a second ping
# adds nothing. clear arp-cache leaves the router's own lines only.
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
