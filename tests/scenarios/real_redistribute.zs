behaviour real-router
# topology: topologies/chain3_lan.ini
# Router 3 redistributes into EIGRP its static routes to its LAN's gateway (a default and
# 172.16.0.0/16); router 1 learns them as externals ("D*EX", "D EX", distance 170) at the metric of
# router 3's Ethernet plus two serial lines, the default its gateway of last resort. redistribute
# connected brings in router 3's LAN, which EIGRP does not cover; without redistribute static the
# externals go.
include openings/real_chain3_r1.zs
line router eigrp 100
line network 10.0.0.0
line network 192.168.1.0
line no auto-summary
line end
include openings/real_chain3_r2.zs
line router eigrp 100
line network 10.0.0.0
line network 192.168.2.0
line no auto-summary
line end
include openings/real_chain3_r3.zs
line exit
line ip route 0.0.0.0 0.0.0.0 192.168.3.254
line ip route 172.16.0.0 255.255.0.0 192.168.3.254
line router eigrp 100
line network 10.0.0.0
line no auto-summary
line redistribute static
line end
wait 30
line show ip protocols
router 1
line show ip route
line show ip route 0.0.0.0
router 3
line conf t
line router eigrp 100
line redistribute connected
line no redistribute static
line end
line show running-config | section eigrp
wait 15
router 1
line show ip route eigrp
