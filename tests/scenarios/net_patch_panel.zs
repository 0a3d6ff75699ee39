# topology: topologies/panel12.ini
# How the patch panel finds the far end of a cable. Router 1's Serial0 is cabled to "router12"
# "SERIAL0": names match without regard to case, and the frames reach router 12, not router 2
# (router 2's Serial0, cabled to nothing, goes down 8 s after no shutdown and stays down).
# Router 1's Ethernet0 is cabled to router 2's Ethernet0, which stays shut down: the panel alone
# keeps router 1's Ethernet up. Router 3's Serial0 is listed in two cables, to router 4 and then
# to router 5: router 3 hears both, but only router 5 hears router 3, so router 4 stays down.
line enable
line configure terminal
line interface s0
line no shutdown
line exit
line interface e0
line no shutdown
line end
router 12
line enable
line configure terminal
line interface s0
line no shutdown
line end
router 2
line enable
line configure terminal
line interface s0
line no shutdown
line end
router 3
line enable
line configure terminal
line interface s0
line no shutdown
line end
router 4
line enable
line configure terminal
line interface s0
line no shutdown
line end
router 5
line enable
line configure terminal
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
