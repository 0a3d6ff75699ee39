# topology: topologies/two_routers.ini
# Two pings typed within one second: the second has no route and fails, whatever the first
# printed. Each ping prints its header at once and its result one second later.
start configure
line interface serial 0
line ip address 10.1.1.1 255.255.255.0
line no shutdown
line end
router 2
start configure
line interface serial 0
line ip address 10.1.1.2 255.255.255.0
line no shutdown
line end
wait 6
router 1
line ping 10.1.1.2
line ping 172.16.9.9
wait 2
line ping 172.16.9.9
wait 2
