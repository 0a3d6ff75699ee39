behaviour real-router
# topology: topologies/clocking3.ini
# A serial line takes its clock from its DCE end. Router 2 holds the DCE end of the line to
# router 1 (dce=dev2); the line to router 3 is clocked by its provider (clocked=yes) and needs no
# clock rate. Both ends of the first line are brought up without a clock rate: each says "up,
# line protocol is down", show controllers names the ends (router 2 gives no clock, router 1 sees
# the clocks stopped) and a ping fails. Router 2 types clock rate 64000 on its DCE end: within
# a tick both ends' line protocols come up, and the ping answers. The provider-clocked line comes
# up without a clock rate. no clock rate takes the first line's protocol down again.
line
line enable
line configure terminal
line hostname R1
line interface serial 0
line ip address 10.1.12.1 255.255.255.0
line no shutdown
line end
router 2
line
line enable
line configure terminal
line hostname R2
line interface serial 0
line ip address 10.1.12.2 255.255.255.0
line no shutdown
line interface serial 1
line ip address 10.1.23.2 255.255.255.0
line no shutdown
line end
router 3
line
line enable
line configure terminal
line hostname R3
line interface serial 0
line ip address 10.1.23.3 255.255.255.0
line no shutdown
line end
wait 10
router 1
line show ip interface brief
line show controllers serial 0
line ping 10.1.12.2
wait 2
router 2
line show ip interface brief
line show controllers serial 0
line show controllers serial 1
line ping 10.1.23.3
wait 2
line configure terminal
line interface serial 0
line clock rate 64000
line end
wait 4
line show ip interface brief
line ping 10.1.12.1
wait 2
router 1
line show controllers serial 0
line show interfaces serial 0 | include line protocol
router 2
line configure terminal
line interface serial 0
line no clock rate
line end
wait 4
line show ip interface brief
