# The three routers of topologies/chain3_lan.ini addressed and brought up, ending in router 3's
# privileged mode: LANs 192.168.1.0/24, 192.168.2.0/24 and 172.16.3.0/24, serial links
# 10.1.12.0/24 (routers 1 and 2) and 10.1.23.0/24 (routers 2 and 3).
line enable
line configure terminal
line interface e0
line ip address 192.168.1.1 255.255.255.0
line no shutdown
line exit
line interface s0
line ip address 10.1.12.1 255.255.255.0
line no shutdown
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
line interface e0
line ip address 192.168.2.1 255.255.255.0
line no shutdown
line end
router 3
line enable
line configure terminal
line interface s0
line ip address 10.1.23.3 255.255.255.0
line no shutdown
line exit
line interface e0
line ip address 172.16.3.1 255.255.255.0
line no shutdown
line end
