# Install layout and the Debian package.
