behaviour real-router
# topology: topologies/two_routers.ini
# Interface numbers the router does not have (it has Serial0 and Ethernet0): interface serial 5,
# show interfaces serial 7 and show controllers serial 3 say the interface is invalid, as a real
# router does, instead of saying nothing; the prompt stays where it was. Existing interfaces
# are taken as before.
line
line enable
line show interfaces serial 7
line show controllers serial 3
line configure terminal
line interface serial 5
line interface ethernet 1
line interface serial 0
line end
