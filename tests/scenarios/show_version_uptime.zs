# topology: topologies/two_routers.ini
# The uptime line of show version at 30, 90, 150, 3599, 3600, 3700 and 7500 seconds.
line enable
wait 30
line show version
key q
wait 60
line show version
key q
wait 60
line show version
key q
wait 3449
line show version
key q
wait 1
line show version
key q
wait 100
line show version
key q
wait 3800
line show version
key q
