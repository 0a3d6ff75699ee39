behaviour real-router
# topology: topologies/chain3_lan.ini
# Once all are FULL, router 1 authenticates OSPF area 0 by message digest and keys its serial line:
# router 2 stops hearing it, and after the dead interval each drops the other. Keyed alike on both
# lines, router 2 is router 1's neighbour again, and router 3's once it keys its line by interface
# commands (a wrong key first). Hellos every 5 s on router 2's end alone part it from router 3 until
# router 3's timers match. Reports and configuration show keys and timers, router 2's scrambled.
start configure
line hostname R1
line interface ethernet 0
line ip address 192.168.1.1 255.255.255.0
line ip ospf authentication
line ip ospf authentication-key kolvo
line no shutdown
line interface serial 0
line ip address 172.16.12.1 255.255.255.252
line clock rate 64000
line no shutdown
line router ospf 1
line network 192.168.1.0 0.0.0.255 area 0
line network 172.16.12.0 0.0.0.3 area 0
line end
router 2
start configure
line hostname R2
line service password-encryption
line interface e0
line ip address 192.168.2.1 255.255.255.0
line no shutdown
line interface s0
line ip address 172.16.12.2 255.255.255.252
line no shutdown
line interface s1
line ip address 172.16.23.1 255.255.255.252
line clock rate 64000
line no shutdown
line router ospf 1
line network 192.168.2.0 0.0.0.255 area 0
line network 172.16.0.0 0.0.255.255 area 0
line end
router 3
start configure
line hostname R3
line interface e0
line ip address 192.168.3.1 255.255.255.0
line no shutdown
line interface s0
line ip address 172.16.23.2 255.255.255.252
line no shutdown
line router ospf 1
line network 192.168.3.0 0.0.0.255 area 0
line network 172.16.23.0 0.0.0.3 area 0
line end
wait 60
router 2
line show ip ospf neighbor
# Router 1 authenticates area 0 with message digests; router 2 does not yet.
router 1
line configure terminal
line router ospf 1
line area 0 authentication message-digest
line interface serial 0
line ip ospf message-digest-key 1 md5 kolvo
line end
wait 45
line show ip ospf neighbor
line show ip route
router 2
line show ip ospf neighbor
line configure terminal
line router ospf 1
line area 0 authentication message-digest
line interface s0
line ip ospf message-digest-key 1 md5 kolvo
line interface s1
line ip ospf message-digest-key 1 md5 kolvo
line end
wait 45
line show ip ospf neighbor
# Router 3 keys its line by interface commands, first with the wrong key.
router 3
line configure terminal
line interface s0
line ip ospf authentication message-digest
line ip ospf message-digest-key 1 md5 Kolvo
line end
wait 45
line show ip ospf neighbor
line configure terminal
line interface s0
line no ip ospf message-digest-key 1
line ip ospf message-digest-key 1 md5 kolvo
line end
wait 20
line show ip ospf neighbor
line show ip route
line show ip route 192.168.1.0
line ping 192.168.1.1
wait 2
# Faster hellos on one end only part the neighbours; matching timers bring them back.
router 2
line configure terminal
line interface s1
line ip ospf hello-interval 5
line end
wait 45
line show ip ospf neighbor
router 3
line configure terminal
line interface s0
line ip ospf hello-interval 5
line end
wait 20
line show ip ospf neighbor
line show ip ospf interface serial 0
router 1
line show ip ospf
line show ip ospf interface ethernet 0
router 2
line show running-config
key Space Space Space
router 1
line show running-config interface serial 0
line sh run int s9
line show running-config
key Space Space
