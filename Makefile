# The two commands of the README: `make run` and `make test`.
# Both install what a fresh Debian 12 machine lacks, then configure and build with CMake and Ninja.

PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev libjpeg-dev \
            fonts-wqy-microhei libgtest-dev libgmock-dev libbenchmark-dev poppler-utils \
            xvfb openbox libx11-dev libxtst-dev
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: run test deps

run: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORIN_TESTS=OFF -DQUORIN_BENCH=OFF
	cmake --build build/release --target quorin
	./build/release/app/quorin

test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" -DQUORIN_SANITIZE=ON
	cmake --build build/test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
