behaviour real-router
# topology: topologies/chain3_lan.ini
# An OSPF authentication and timers worksheet on a three-router chain, typed as printed: single
# area 0 over 172.16.12.0/30 and 172.16.23.0/30 with a LAN on each router. Once all are FULL,
# router 1 turns on message-digest authentication for area 0 and keys its serial line: router 2
# no longer hears it, and after the dead interval each drops the other. Router 2 does the same
# on both its lines, and router 1 and 2 are neighbours again; router 3 is not, until it keys its
# line too (first with a wrong key, then the right one), by interface commands instead of the
# area's. Router 2 then sends hellos every 5 seconds on its line to router 3: the neighbours part
# until router 3 changes its timers to match. The reports show the authentication and timers, and
# the configuration keeps them (scrambled on router 2, which encrypts its passwords).
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
