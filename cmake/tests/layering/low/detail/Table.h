#pragma once
// Only low reads this.
