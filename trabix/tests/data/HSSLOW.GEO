Job: HSSLOW // GEOMETRY & MAT. PROPERTIES
DATA:  STRIP!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     2          20             3.0000E+7            0.200
Coefficient of Thermal Expansion:   .000E+0
Element 'i' Element Length [m]  Thickness [m]
    1              0.1000           0.5000  
    2              0.1000           0.5000  
    3              0.1000           0.5000  
    4              0.1000           0.5000  
    5              0.1000           0.5000  
    6              0.1000           0.5000  
    7              0.1000           0.5000  
    8              0.1000           0.5000  
    9              0.1000           0.5000  
   10              0.1000           0.5000  
   11              0.1000           0.5000  
   12              0.1000           0.5000  
   13              0.1000           0.5000  
   14              0.1000           0.5000  
   15              0.1000           0.5000  
   16              0.1000           0.5000  
   17              0.1000           0.5000  
   18              0.1000           0.5000  
   19              0.1000           0.5000  
   20              0.1000           0.5000  

--------------------- END OF GEOMETRY DATA ---------------------
