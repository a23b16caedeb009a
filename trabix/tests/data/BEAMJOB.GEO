Job: C:\DATA\BEAMJOB // GEOMETRY & MAT. PROPERTIES
DATA:  BEAM!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     6          3             3.0000E+7            0.200
Coefficient of Thermal Expansion:   1.000E-5
Element 'i'  Element Length [m]   Width [m]      Thickness [m]
    1              2.0000           0.3000           0.5000  
    2              2.5000           0.3000           0.5000  
    3              1.5000           0.4000           0.6000  

--------------------- END OF GEOMETRY DATA ---------------------
