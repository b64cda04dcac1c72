// Placeholder until the backends land.
