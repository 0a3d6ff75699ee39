behaviour real-router
# topology: topologies/clocking3.ini
# A serial line takes its clock from its DCE end, here router 2's end of the line to router 1; the
# provider-clocked line to router 3 comes up without one. Without a clock rate both ends stay "up,
# line protocol is down" and show controllers says why; clock rate 64000 on router 2 brings both
# line protocols up within a tick and a ping answers; no clock rate takes them down again.
start configure
line hostname R1
line interface serial 0
line ip address 10.1.12.1 255.255.255.0
line no shutdown
line end
router 2
start configure
line hostname R2
line interface serial 0
line ip address 10.1.12.2 255.255.255.0
line no shutdown
line interface serial 1
line ip address 10.1.23.2 255.255.255.0
line no shutdown
line end
router 3
start configure
line hostname R3
line interface serial 0
line ip address 10.1.23.3 255.255.255.0
line no shutdown
line end
wait 10
router 1
line show ip interface brief
line show controllers serial 0
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
router 2
line configure terminal
line interface serial 0
line no clock rate
line end
wait 4
line show ip interface brief
