# topology: topologies/two_routers.ini
# A serial line between two routers. Router 1 alone: its no shutdown brings Serial0 up at once
# and the fourth layer-2 tick without a keepalive takes it down (8 s). Once router 2 sends too,
# router 1 comes up on its next tick. Shutting router 2's end takes router 1 down about 8 s
# later, and router 2's own end, which drops every frame, goes down as well. Hammering shutdown
# and no shutdown prints one message per real change. Empty lines mark the seconds between.
line enable
line configure terminal
line interface serial 0
line ip address 10.1.1.1 255.255.255.252
line no shutdown
wait 7
line
wait 1
line
wait 2
router 2
line enable
line configure terminal
line interface s0
line ip address 10.1.1.2 255.255.255.252
line no shutdown
router 1
wait 3
line
wait 1
line
wait 6
line
router 2
line shutdown
wait 5
line
wait 1
line
router 1
line
wait 1
line
wait 1
line
line end
line show ip interface brief
router 2
line no shutdown
line no shutdown
line shutdown
line shutdown
line no shutdown
line shutdown
line no shutdown
wait 2
line end
line show ip interface brief
router 1
line
wait 2
line show ip interface brief
