# topology: topologies/chain3_lan.ini
# IGRP routes (100/1), then EIGRP's (90) replacing them; before EIGRP runs, its neighbour report
# prints only its header, the topology and interface reports nothing. The Hold column is the last-heard second modulo 15. Router 3 shuts its serial
# line at 61 s, after router 2 last heard it at 60 s: router 2 still lists it at the pass of 70 s
# and has dropped it at the pass of 80 s (silent for more than 15 s), keeping router 1.
include openings/chain3_lan_addressed.zs
line configure terminal
line router igrp 10
line network 10.0.0.0
line network 172.16.0.0
line end
router 2
line configure terminal
line router igrp 10
line network 10.0.0.0
line network 192.168.2.0
line end
router 1
line configure terminal
line router igrp 10
line network 10.0.0.0
line network 192.168.1.0
line end
wait 30
line show ip route
line show ip eigrp neighbors
line show ip eigrp topology
line show ip eigrp interfaces
line ping 172.16.3.1
wait 1
line configure terminal
line router eigrp 10
line network 10.0.0.0
line network 192.168.1.0
line end
router 2
line configure terminal
line router eigrp 10
line network 10.0.0.0
line network 192.168.2.0
line end
router 3
line configure terminal
line router eigrp 10
line network 10.0.0.0
line network 172.16.0.0
line end
router 1
wait 29
line show ip route
line ping 172.16.3.1
wait 1
router 2
line show ip eigrp neighbors
line show ip eigrp neighbors detail
line show ip eigrp topology
line show ip eigrp interfaces
line show ip protocols
key Space
router 3
line configure terminal
line interface s0
line shutdown
line end
router 2
wait 9
line show ip eigrp neighbors
wait 10
line show ip eigrp neighbors
