# topology: topologies/two_routers.ini
# None is listed before the 5th CDP tick (25 s); then each lists the other, hold time 180 counting
# down between advertisements (every 20 s). show cdp entry needs the exact name. Router 2 stops CDP
# at 36 s; router 1 drops it at 205 s, 180 s after last hearing it, on a CDP tick. Router 2, without
# CDP, keeps router 1 for good, hold time 0. Ranges: cdp timer 5..254, holdtime 10..255.
line enable
line configure terminal
line interface s0
line ip address 10.1.1.1 255.255.255.252
line no shutdown
line end
router 2
line enable
line configure terminal
line hostname Bravo
line interface s0
line ip address 10.1.1.2 255.255.255.252
line no shutdown
line end
router 1
wait 24
line show cdp neighbors
wait 1
line show cdp neighbors
wait 10
line show cdp neighbors
line show cdp entry bravo
line show cdp entry Bravo
line show cdp entry B
line show cdp neighbors detail
router 2
wait 1
line configure terminal
line no cdp run
line end
line show cdp
router 1
wait 168
line show cdp neighbors
wait 1
line show cdp neighbors
line configure terminal
line no cdp run
line end
line show cdp interface
router 2
wait 295
line show cdp neighbors
router 1
line configure terminal
line cdp timer 4
line cdp timer 255
line cdp timer 5
line cdp timer 254
line cdp holdtime 9
line cdp holdtime 256
line cdp holdtime 10
line cdp holdtime 255
line cdp run
line end
line show cdp
line configure terminal
line no cdp timer
line no cdp holdtime 20
line cdp timer 30.6
line end
line show cdp
line configure terminal
line no cdp advertise-v2
line end
line show cdp
