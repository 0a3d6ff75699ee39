# topology: topologies/panel12.ini
# How the patch panel finds a cable's far end. Names match regardless of case: router 1's Serial0
# reaches router 12, and router 2's Serial0, uncabled, goes down 8 s after no shutdown and stays
# down. The panel alone keeps router 1's Ethernet up though router 2's end is shut. Router 3's
# Serial0, in two cables, hears routers 4 and 5, but only router 5 hears it, so router 4 stays down.
start configure
line interface s0
line no shutdown
line exit
line interface e0
line no shutdown
line end
router 12
start configure
line interface s0
line no shutdown
line end
router 2
start configure
line interface s0
line no shutdown
line end
router 3
start configure
line interface s0
line no shutdown
line end
router 4
start configure
line interface s0
line no shutdown
line end
router 5
start configure
line interface s0
line no shutdown
line end
wait 20
line show ip interface brief
router 4
line show ip interface brief
router 3
line show ip interface brief
router 2
line show ip interface brief
router 12
line show ip interface brief
router 1
line show ip interface brief
