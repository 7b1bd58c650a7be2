# The Hub tests (hub_test.cpp) start corvane-cli hub: build it first.
add_dependencies(test_cli corvane-cli)
